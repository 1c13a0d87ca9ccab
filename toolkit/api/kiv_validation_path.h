#pragma once
// Field paths of validation messages: field names joined by "->" through pointers, "." through embedded
// structures and unions, "[i]->" and "[i]" through array elements. A path holds at most 4999 characters;
// what does not fit is cut off.

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr size_t kKivPathMaxChars = 4999;

// Replaces the path with at most kKivPathMaxChars characters of the text.
void KivPathCopy(std::string& path, std::string_view text);
// Appends as much of the text as fits within kKivPathMaxChars characters.
void KivPathAppend(std::string& path, std::string_view text);
// Empties the path.
void KivPathClear(std::string& path);

// How an array walker names an element: "[i]->" before the fields of a structure, "[i]" for a value.
enum class KivArrayElementKind { Value = 0, Structure = 1 };

// The path of element index of the array name under path: path + name + "[" + index + "]" (+ "->").
std::string kivArrayElementPath(const std::string& path, std::string_view name, size_t index,
                                KivArrayElementKind kind);
