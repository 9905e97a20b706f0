#include "formula/Value.h"

#include <bit>
#include <cstdint>

#include "runtime/RuntimeError.h"

namespace formula {

Value Value::Integer(int16_t v) {
  Value value;
  value.kind_ = Kind::Integer;
  value.integer_ = v;
  return value;
}

Value Value::Long(int32_t v) {
  Value value;
  value.kind_ = Kind::Long;
  value.long_ = v;
  return value;
}

Value Value::Single(float v) {
  Value value;
  value.kind_ = Kind::Single;
  value.single_ = v;
  return value;
}

Value Value::Double(double v) {
  Value value;
  value.kind_ = Kind::Double;
  value.double_ = v;
  return value;
}

Value Value::Text(std::string text) {
  Value value;
  value.kind_ = Kind::Text;
  value.text_ = std::move(text);
  return value;
}

Value Value::OfKind(Kind kind, double number) {
  switch (kind) {
    case Kind::Integer:
      return Integer(static_cast<int16_t>(number));
    case Kind::Long:
      return Long(static_cast<int32_t>(number));
    case Kind::Single:
      return Single(static_cast<float>(number));
    default:
      return Double(number);
  }
}

double Value::ToDouble() const {
  switch (kind_) {
    case Kind::Empty:
      return 0;
    case Kind::Text:
      throw runtime::RuntimeError(runtime::ErrorNumber::TypeMismatch);
    case Kind::Integer:
      return integer_;
    case Kind::Long:
      return long_;
    case Kind::Single:
      return single_;
    case Kind::Double:
      return double_;
  }
  return 0;
}

std::string_view Value::KindName() const {
  switch (kind_) {
    case Kind::Empty:
      return "Empty";
    case Kind::Text:
      return "String";
    case Kind::Integer:
      return "Integer";
    case Kind::Long:
      return "Long";
    case Kind::Single:
      return "Single";
    case Kind::Double:
      return "Double";
  }
  return "Empty";
}

bool operator==(const Value& a, const Value& b) {
  if (a.kind_ != b.kind_) return false;
  switch (a.kind_) {
    case Value::Kind::Empty:
      return true;
    case Value::Kind::Text:
      return a.text_ == b.text_;
    case Value::Kind::Integer:
      return a.integer_ == b.integer_;
    case Value::Kind::Long:
      return a.long_ == b.long_;
    case Value::Kind::Single:
      return std::bit_cast<uint32_t>(a.single_) == std::bit_cast<uint32_t>(b.single_);
    case Value::Kind::Double:
      return std::bit_cast<uint64_t>(a.double_) == std::bit_cast<uint64_t>(b.double_);
  }
  return false;
}

}  // namespace formula
