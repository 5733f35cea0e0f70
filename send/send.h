// The statistics library, libsend.so: one entry, callable from several
// threads at once.
#pragma once

extern "C" {

// Sends an HTTP GET to `url` (http or https only). Connect time-out about
// 2 s, whole request about 3 s. Returns 0 on a 2xx answer; otherwise a
// negative number: -1 bad arguments, -2 a method other than GET, -3 no
// request could be set up, -(HTTP status) for other answers, and
// -(1000 + transfer error code) when no answer came.
int SendData(const char* url, const char* method);
}
