#pragma once

// How far long work has come: opening, composing and saving a big sheet tell it here,
// and the window shows it once the work takes long enough to be noticed. Work may
// hold parts of its own (saving composes first); each part is reported between its own
// Begin and End, and the innermost one is what the user sees.

#include <cstddef>
#include <string_view>

namespace tesselo {

class ProgressReport {
public:
    virtual ~ProgressReport() = default;
    // Work of `total` units (bytes, rules; 0 when it has no measure) starts.
    virtual void Begin(std::string_view label, size_t total) = 0;
    virtual void Step(size_t done) = 0;
    virtual void End() = 0;
};

// Tells nobody.
ProgressReport& NoProgress();

// One piece of work reported from its loop: Begin when made, End when left, and a step
// only every `stride` units, so a turn of the loop pays one comparison.
class ProgressSpan {
public:
    ProgressSpan(ProgressReport& report, std::string_view label, size_t total, size_t stride = 1)
        : report_(report), stride_(stride == 0 ? 1 : stride), next_(stride_) {
        report_.Begin(label, total);
    }
    ~ProgressSpan() { report_.End(); }
    ProgressSpan(const ProgressSpan&) = delete;
    ProgressSpan& operator=(const ProgressSpan&) = delete;

    void At(size_t done) {
        if (done >= next_) {
            report_.Step(done);
            next_ = done + stride_;
        }
    }

private:
    ProgressReport& report_;
    size_t stride_;
    size_t next_;
};

namespace progress {
inline constexpr std::string_view kOpening = "Открытие файла…";
inline constexpr std::string_view kReading = "Чтение файла…";
inline constexpr std::string_view kFillingList = "Заполнение списка стилей…";
inline constexpr std::string_view kComposing = "Сборка таблицы стилей…";
inline constexpr std::string_view kSaving = "Сохранение файла…";
} // namespace progress

} // namespace tesselo
