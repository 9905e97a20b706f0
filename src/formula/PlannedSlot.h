#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formula/Value.h"

namespace formula {

// A token slot as the compiler sees it: a text, or a number known only by the
// register that will hold it and by its kind.
struct PlannedSlot {
  enum class Content : uint8_t { Empty, Text, Number };

  Content content = Content::Empty;
  Value::Kind kind = Value::Kind::Empty;
  uint16_t reg = 0;
  std::string text;

  static PlannedSlot Number(uint16_t reg, Value::Kind kind) { return {Content::Number, kind, reg, {}}; }

  static bool IsNumber(const PlannedSlot& slot) { return slot.content == Content::Number; }
  static bool HoldsText(const PlannedSlot& slot, std::string_view text) {
    return slot.content == Content::Text && slot.text == text;
  }
};

// The scanner's side of the compiler: X and Y go to their registers, of a kind
// still unknown, and every literal gets a register of its own after them.
class SlotPlanner {
 public:
  using Slot = PlannedSlot;
  static constexpr uint16_t kFirstLiteralRegister = 2;

  static bool IsNumber(const PlannedSlot& slot) { return PlannedSlot::IsNumber(slot); }
  static bool HoldsText(const PlannedSlot& slot, std::string_view text) {
    return PlannedSlot::HoldsText(slot, text);
  }

  PlannedSlot Literal(double number) {
    literals_.push_back(number);
    return PlannedSlot::Number(static_cast<uint16_t>(kFirstLiteralRegister + literals_.size() - 1),
                               Value::Kind::Double);
  }
  PlannedSlot Word(std::string word) const {
    if (word == "X") return PlannedSlot::Number(0, Value::Kind::Empty);
    if (word == "Y") return PlannedSlot::Number(1, Value::Kind::Empty);
    return Text(std::move(word));
  }
  PlannedSlot Text(std::string text) const { return {PlannedSlot::Content::Text, {}, 0, std::move(text)}; }

  const std::vector<double>& Literals() const { return literals_; }

 private:
  std::vector<double> literals_;
};

}  // namespace formula
