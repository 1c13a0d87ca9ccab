#include "Quorvane/app/connection_number.h"

KivAssocId NextConnectionNumber(KivAssocId current, const std::function<bool(KivAssocId)>& inUse) {
    KivAssocId next = current;
    for (KivAssocId tried = 0; tried <= kLastConnectionNumber; ++tried) {
        next = next >= kLastConnectionNumber ? 0 : next + 1;
        if (next != 0 && !inUse(next)) return next;
    }
    return 0;
}
