# Cross build for WebAssembly (wasm32-wasi) with Debian's clang 14, wasi-libc
# and libc++ for wasm32 (wasi-libc, libc++-14-dev-wasm32, lld).
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# No exceptions in WebAssembly with clang 14; nothing of the program needs them.
set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
