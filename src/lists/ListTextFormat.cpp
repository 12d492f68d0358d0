#include "lists/ListTextFormat.h"

namespace {
const ListTextFormat* g_format = nullptr;
}  // namespace

void RegisterListTextFormat(const ListTextFormat& format) { g_format = &format; }

const ListTextFormat* RegisteredListTextFormat() { return g_format; }
