#pragma once

#include <dlfcn.h>

namespace kit::foundation {

// Opens a library at first use rather than at start-up. It stays loaded for the life of the
// process, as a linked library would: threads may still use it while the process ends. Null when
// it cannot be had (dlerror says why).
inline void *openLibrary(const char *soname) { return dlopen(soname, RTLD_NOW | RTLD_LOCAL); }

// Points `function` at the library's entry point `name`; false when the library has none.
template <class Function> bool loadSymbol(void *library, Function &function, const char *name) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

} // namespace kit::foundation
