#pragma once

struct NumberDefault {
  const char* name;
  long value;
};

struct TextDefault {
  const char* name;
  const char* value;
};

// The defaults of the program's thirty-two settings, in the order they are
// added to the store. The store keeps pointers to these entries, so they
// live for the whole run.
constexpr int kNumberDefaultCount = 14;
constexpr int kTextDefaultCount = 18;
extern const NumberDefault kNumberDefaults[kNumberDefaultCount];
extern const TextDefault kTextDefaults[kTextDefaultCount];

// The default of a number setting; 0 for a name that is not one.
long DefaultNumber(const char* name);
