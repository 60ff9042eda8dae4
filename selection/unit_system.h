#pragma once
// The program-wide unit switch and the pick-by-flag helper that every place showing a quantity
// uses to choose its unit code, its decimals and its label.

namespace velmarsund {

enum class UnitSystem {
    IP = 0, // inch-pound, shown as "UK / US"
    SI = 1,
};

inline UnitSystem UnitSystemFromFlag(bool si) { return si ? UnitSystem::SI : UnitSystem::IP; }
inline bool UnitSystemFlag(UnitSystem system) { return system == UnitSystem::SI; }

// The SI variant when the system is SI, the IP variant otherwise.
template <typename T>
T UnitChoice(UnitSystem system, T siVariant, T ipVariant)
{
    return system == UnitSystem::SI ? siVariant : ipVariant;
}

// The same pick for any other flag (for example layout values that depend on the seasons view).
template <typename T>
T UnitChoice(bool flag, T whenTrue, T whenFalse)
{
    return flag ? whenTrue : whenFalse;
}

} // namespace velmarsund
