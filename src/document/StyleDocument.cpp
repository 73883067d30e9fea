#include "document/StyleDocument.h"

#include <algorithm>
#include <stdexcept>

namespace tesselo {

StyleDocument::StyleDocument() : records_(kStyleCapacity) {}

const StyleRecord& StyleDocument::Record(int i) const {
    if (i < 0 || i >= styleCount_)
        throw std::out_of_range("style index " + std::to_string(i) + " out of range");
    return records_[i];
}

std::vector<std::string> StyleDocument::ListItems() const {
    std::vector<std::string> items;
    items.reserve(styleCount_);
    for (int i = 0; i < styleCount_; ++i)
        items.push_back(records_[i].Selector);
    return items;
}

void StyleDocument::NewCSS() {
    records_[0].Selector = "Body";
    records_[0].Lines.clear();
    styleCount_ = 1;
    SelectedRow = 0;
    CurrentStyleIndex = 0;
    Caption = WindowCaptionFor("NoName.css");
    FileName.clear();
    Modified = false;
}

bool StyleDocument::AddStyleRecord(const std::string& selector) {
    if (styleCount_ >= kStyleCapacity)
        return false;
    records_[styleCount_].Selector = selector;
    records_[styleCount_].Lines.clear();
    ++styleCount_;
    return true;
}

void StyleDocument::ReorderStylesByList(const std::vector<std::string>& items) {
    const int count = std::min<int>(styleCount_, static_cast<int>(items.size()));
    // One slot past the last record is searched too: after a removal it holds the
    // former last record.
    const int searchEnd = std::min(styleCount_, kStyleCapacity - 1);
    for (int i = 0; i < count; ++i) {
        for (int j = i; j <= searchEnd; ++j) {
            if (records_[j].Selector == items[i]) {
                if (j != i)
                    std::swap(records_[i], records_[j]);
                break;
            }
        }
    }
}

void StyleDocument::SetSelector(int i, const std::string& selector) {
    Record(i);
    records_[i].Selector = selector;
}

void StyleDocument::ReplaceLines(int i, const LineList& lines) {
    Record(i);
    records_[i].Lines = lines;
}

void StyleDocument::RemoveRecord(int i) {
    Record(i);
    // The removed record moves to the first slot past the new count, as a rotation.
    std::rotate(records_.begin() + i, records_.begin() + i + 1, records_.begin() + styleCount_);
    --styleCount_;
}

void StyleDocument::ReplaceRecords(std::vector<StyleRecord> records) {
    if (records.size() > static_cast<size_t>(kStyleCapacity))
        throw std::out_of_range("too many style records");
    for (size_t i = 0; i < records.size(); ++i)
        records_[i] = std::move(records[i]);
    styleCount_ = static_cast<int>(records.size());
}

std::string WindowCaptionFor(const std::string& fileName) {
    return "Tesselo 1.0 beta - " + fileName;
}

} // namespace tesselo
