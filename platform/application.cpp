// The application object: the main form, the message loop hand-off to the
// back end, the event dispatcher and its error report.
#include "platform/application.h"

#include <algorithm>
#include <cstdio>

#include "platform/cp1250.h"
#include "platform/services.h"

namespace {
TApplication theApplication;

// Beyond this many records only the count of repeats grows, so a handler
// failing on every 10 ms tick cannot eat memory.
constexpr size_t kMaxRecordedReports = 10000;
}  // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

void TApplication::Initialize() {}

void TApplication::AdoptMainForm(TForm* form) {
    mainForm_.reset(form);
    pressed_ = nullptr;
}

void TApplication::Run() {
    if (!mainForm_) return;
    if (backend_)
        backend_->RunLoop(*this);
    else
        scheduler_.Start();
}

bool TApplication::Dispatch(const AnsiString& what, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const ProcessExit&) {
        throw;  // ends the process; only the harness catches it
    } catch (const Exception& e) {
        ShowException(e, what);
    } catch (...) {
        // Anything else is reported like the layer's own error, without text.
        ShowException(Exception(""), what);
    }
    return false;
}

void TApplication::ShowException(const Exception& e, const AnsiString& handler) {
    if (reports_.size() < kMaxRecordedReports) reports_.push_back({e.Message, scheduler_.Now(), handler});
    bool alreadyShown = std::find(shownOnce_.begin(), shownOnce_.end(), e.Message) != shownOnce_.end();
    if (alreadyShown && DeduplicateReports) return;
    if (!alreadyShown) shownOnce_.push_back(e.Message);
    shown_ = e.Message;
    std::fprintf(stderr, "%s: %s (in %s)\n", Title.empty() ? "error" : Title.c_str(),
                 Cp1250ToUtf8(e.Message).c_str(), handler.empty() ? "?" : handler.c_str());
}

void TApplication::ClearReports() {
    reports_.clear();
    shownOnce_.clear();
    shown_.clear();
}

void TApplication::DismissReport() {
    shownOnce_.clear();
    shown_.clear();
}

void TApplication::Reset() {
    pressed_ = nullptr;
    AcceleratorBlockers.clear();
    mainForm_.reset();
    ClearReports();
    DeduplicateReports = true;
    scheduler_.Reset();
}
