#pragma once
// Libraries the program loads when it first needs them (dlopen) rather than at start: a
// function of such a library, looked up by its name.
#include <dlfcn.h>

template <class F> bool resolveFunction(void *library, F &function, const char *name)
{
    function = reinterpret_cast<F>(dlsym(library, name));
    return function != nullptr;
}
