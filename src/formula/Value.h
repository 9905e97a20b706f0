#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace formula {

// The dynamic value of the formula language: empty, a text, or a number of one of
// four kinds. The kind is observable: callers compute at the value's own precision.
class Value {
 public:
  enum class Kind : uint8_t { Empty, Text, Integer, Long, Single, Double };

  Value() = default;
  static Value Integer(int16_t v);
  static Value Long(int32_t v);
  static Value Single(float v);
  static Value Double(double v);
  static Value Text(std::string text);
  // A number of the given numeric kind; the kind must hold `number` exactly.
  static Value OfKind(Kind kind, double number);

  Kind kind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  bool IsText() const { return kind_ == Kind::Text; }
  bool IsNumber() const { return kind_ >= Kind::Integer; }

  // The number as a 64-bit float (exact for every kind); empty counts as 0.
  // A text raises a type-mismatch RuntimeError.
  double ToDouble() const;
  const std::string& text() const { return text_; }

  // The name of the kind: "Empty", "String", "Integer", "Long", "Single", "Double".
  std::string_view KindName() const;

  // Same kind and same bits (a text compares by its characters).
  friend bool operator==(const Value& a, const Value& b);

 private:
  Kind kind_ = Kind::Empty;
  union {
    int16_t integer_;
    int32_t long_;
    float single_;
    double double_ = 0;
  };
  std::string text_;
};

}  // namespace formula
