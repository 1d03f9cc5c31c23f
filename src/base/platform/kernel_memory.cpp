#include "platform/kernel_memory.h"

#include <algorithm>

#include "platform/text.h"

namespace kolvane {

namespace {

class MemoryMutex : public HeldMutex {
public:
    MemoryMutex(std::shared_ptr<std::set<std::string>> held, std::string name)
        : held_(std::move(held)), name_(std::move(name)) {}
    MemoryMutex(const MemoryMutex&) = delete;
    MemoryMutex& operator=(const MemoryMutex&) = delete;
    ~MemoryMutex() override { held_->erase(name_); }

private:
    std::shared_ptr<std::set<std::string>> held_;
    std::string name_;
};

}  // namespace

MutexResult MemoryKernel::CreateOwnedMutex(const std::string& name) {
    // Like a named mutex that another process holds: the handle opens, but the creator does not own it.
    if (heldMutexes->count(name)) return {std::make_unique<HeldMutex>(), true};
    heldMutexes->insert(name);
    return {std::make_unique<MemoryMutex>(heldMutexes, name), false};
}

std::string MemoryKernel::ExpandEnvironment(const std::string& text) {
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t open = text.find('%', pos);
        std::size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) break;
        std::string name = text.substr(open + 1, close - open - 1);
        auto found = std::find_if(environment.begin(), environment.end(),
                                  [&](const auto& entry) { return EqualsNoCase(entry.first, name); });
        result += text.substr(pos, open - pos);
        if (found != environment.end()) {
            result += found->second;
            pos = close + 1;
        } else {
            result += '%' + name;
            pos = close;
        }
    }
    return result + text.substr(pos);
}

void MemoryKernel::Terminate() {
    ++terminations;
    throw ProcessTerminated{};
}

}  // namespace kolvane
