// The bounded history of edits; see edit_history.h.
#include "edit_history.h"

#include <cassert>

namespace app {

namespace {

std::size_t TextBytes(const std::string& text) {
    // Short texts live inside the string object itself.
    return text.capacity() > 15 ? text.capacity() : 0;
}

std::size_t TextsBytes(const document::GraphTexts& texts) {
    std::size_t bytes = 0;
    for (const auto& node : texts.nodes) {
        bytes += sizeof node + TextBytes(node[0]) + TextBytes(node[1]);
    }
    for (const auto& row : texts.matrix) {
        bytes += sizeof row;
        for (const auto& cell : row) bytes += sizeof cell + TextBytes(cell);
    }
    return bytes;
}

}  // namespace

std::size_t EditStep::Bytes() const {
    std::size_t bytes = sizeof *this;
    for (const CellChange& change : changes) {
        bytes += sizeof change + TextBytes(change.before) + TextBytes(change.after);
    }
    if (document) {
        bytes += TextsBytes(document->first.saved) + TextsBytes(document->second.saved) +
                 TextBytes(document->first.fileName) + TextBytes(document->second.fileName);
    }
    return bytes;
}

void EditHistory::Push(EditStep step) {
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    const std::size_t bytes = step.Bytes();
    bytes_ += bytes;
    steps_.push_back({std::move(step), bytes});
    position_ = steps_.size();
    Trim();
}

EditStep* EditHistory::Last() {
    if (steps_.empty() || position_ != steps_.size()) return nullptr;
    return &steps_.back().step;
}

void EditHistory::LastGrew() {
    Entry& last = steps_.back();
    bytes_ -= last.bytes;
    last.bytes = last.step.Bytes();
    bytes_ += last.bytes;
    Trim();
}

const EditStep& EditHistory::Undo() {
    assert(CanUndo());
    return steps_[--position_].step;
}

const EditStep& EditHistory::Redo() {
    assert(CanRedo());
    return steps_[position_++].step;
}

void EditHistory::Trim() {
    while (steps_.size() > 1 && (steps_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --position_;
    }
}

}  // namespace app
