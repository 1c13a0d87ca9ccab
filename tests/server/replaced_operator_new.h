#pragma once
// The global operator new and delete of a test program that injects allocation failures: every form of new
// goes through testAllocate, which the program defines (throwing std::bad_alloc to fail), and every delete
// frees with std::free. Include it in one file of an OWN_PROGRAM test only.

#include <cstdlib>
#include <new>

void* testAllocate(std::size_t size);

void* operator new(std::size_t size) {
    return testAllocate(size);
}
void* operator new[](std::size_t size) {
    return testAllocate(size);
}
// The non-throwing forms (std::stable_sort's temporary buffer) must come from the same heap as the deletes.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return testAllocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
