#include "surface/CubeScaling.h"

#include "runtime/Conversions.h"
#include "runtime/RuntimeError.h"

namespace surface {

using formula::Value;

float CubeCoordinate(std::optional<float> coef, std::optional<float> center, float v) {
  const float offset = runtime::FiniteSingle(v - center.value_or(0.0f));
  return runtime::FiniteSingle(coef.value_or(0.0f) * offset);
}

float CubeHeight(std::optional<float> coef, std::optional<float> center, const Value& value) {
  switch (value.kind()) {
    case Value::Kind::Long:
    case Value::Kind::Double: {
      const double offset =
          runtime::FiniteDouble(value.ToDouble() - static_cast<double>(center.value_or(0.0f)));
      return runtime::ToSingle(runtime::FiniteDouble(static_cast<double>(coef.value_or(0.0f)) * offset));
    }
    case Value::Kind::Empty:
    case Value::Kind::Integer:
    case Value::Kind::Single:
      return CubeCoordinate(coef, center, static_cast<float>(value.ToDouble()));
    case Value::Kind::Text:
      break;
  }
  throw runtime::RuntimeError(runtime::ErrorNumber::TypeMismatch);
}

}  // namespace surface
