// The statistics library, libsend.so: one entry, callable from several
// threads at once.
#pragma once

extern "C" {

// Sends an HTTP GET to `url` (http or https only). Connect time-out about
// 2 s (the name lookup included), whole request about 3 s. Only the status
// line and headers are read: the body is cut off at its first bytes, and
// headers beyond 64 KiB end the transfer as no answer. Returns 0 on a 2xx
// answer; otherwise a negative number: -1 bad arguments, -2 a method other
// than GET, -3 no request could be set up, -(HTTP status) for other
// answers, and -(1000 + transfer error code) when no answer came (-1023
// for headers too long).
int SendData(const char* url, const char* method);
}
