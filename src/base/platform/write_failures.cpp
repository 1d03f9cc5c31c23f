#include "platform/write_failures.h"

#include <utility>

namespace kolvane {

namespace {

std::function<void(const WriteFailure&)>& Listener() {
    static std::function<void(const WriteFailure&)> listener;
    return listener;
}

}  // namespace

WriteFailureListener::WriteFailureListener(std::function<void(const WriteFailure&)> listener)
    : previous_(std::exchange(Listener(), std::move(listener))) {}

WriteFailureListener::~WriteFailureListener() { Listener() = std::move(previous_); }

void ReportWriteFailure(const WriteFailure& failure) {
    if (Listener()) Listener()(failure);
}

}  // namespace kolvane
