#pragma once
// How a conversion between the programming-interface structures and the codec records gives up, and the
// recovery point of the public call that catches it.
//
// A conversion never returns an error. When memory runs out it throws KivConversionError at once: code -27
// while converting towards the codec, -1 while converting from it. What it built so far stays linked to
// the destination, so the holder's free routine (FreePDU for codec records, the owning members for
// structures) releases it. The public call catches the error and reports SI_Interface_Error 75
// "Out of memory".

#include <new>
#include <utility>

#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

inline constexpr int kKivToCodecNoMemory = -27;
inline constexpr int kKivFromCodecNoMemory = -1;

struct KivConversionError {
    int code;
};

// Code 75 of SI_Interface_Error.
inline constexpr long kKivOutOfMemoryCode = 75;

// Reports SI_Interface_Error 75 "Out of memory" (abort source 0, Association_Open) through out; returns 1.
int KivReportOutOfMemory(KivAssocId assoc, SIError** out);

// The recovery point: runs the conversion and returns 0, or 1 after reporting code 75 when it left with a
// KivConversionError or std::bad_alloc.
template <typename Conversion>
int KivConvertOrReport(KivAssocId assoc, SIError** out, Conversion&& conversion) {
    try {
        std::forward<Conversion>(conversion)();
        return 0;
    } catch (const KivConversionError&) {
        return KivReportOutOfMemory(assoc, out);
    } catch (const std::bad_alloc&) {
        return KivReportOutOfMemory(assoc, out);
    }
}

// Runs the body of a from-codec conversion: a std::bad_alloc of the structures it builds leaves as
// KivConversionError{-1}.
template <typename Body>
void kivFromCodec(Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const std::bad_alloc&) {
        throw KivConversionError{kKivFromCodecNoMemory};
    }
}

// Runs the body of a to-codec conversion: a std::bad_alloc of a working text leaves as
// KivConversionError{-27}.
template <typename Body>
void kivToCodec(Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const std::bad_alloc&) {
        throw KivConversionError{kKivToCodecNoMemory};
    }
}
