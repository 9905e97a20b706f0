#include "surface/Limits.h"

#include "runtime/RuntimeError.h"

namespace surface {
namespace {

int Slot(int k) {
  if (k < 1 || k > Limits::Count) throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
  return k - 1;
}

}  // namespace

float& Limits::operator[](int k) { return entries_[Slot(k)]; }
float Limits::operator[](int k) const { return entries_[Slot(k)]; }

}  // namespace surface
