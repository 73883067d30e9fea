#include "document/Progress.h"

namespace tesselo {
namespace {

class Silent final : public ProgressReport {
public:
    void Begin(std::string_view, size_t) override {}
    void Step(size_t) override {}
    void End() override {}
};

} // namespace

ProgressReport& NoProgress() {
    static Silent silent;
    return silent;
}

} // namespace tesselo
