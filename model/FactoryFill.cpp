#include "CtlStore.h"

// The factory fill. Until its tables exist, a new store keeps the skeleton values.
namespace NsDorna
{
void CtlStore::setDefaValues() {}
void CtlStore::setDefaValue() {}
void CtlStore::setDefaValueForModeOfSlot (int, int) {}
} // namespace NsDorna
