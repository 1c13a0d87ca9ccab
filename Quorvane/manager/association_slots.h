#pragma once
// The association table: kAssociationSlots slots, numbered from 1, each holding the id of one live
// association or 0 when free. A slot is taken when an association is set up and freed when its session
// record is freed (the first SlotTake installs AssociationSessionFreed as the session table's freed hook).
// Safe from any thread.

#include <vector>

#include "toolkit/api/kiv_owning.h"

inline constexpr int kAssociationSlots = 100;

// 1 when the lowest free slot now holds the id; 0 when every slot is taken, and for the id 0 (it marks a
// free slot) or an id that holds a slot already.
int SlotTake(KivAssocId assocId);
// The slot (1 .. kAssociationSlots) that holds the id; 0 when none does.
int SlotLookup(KivAssocId assocId);
// Frees the slot of the id and answers its number; 0 when no slot held the id.
int SlotFree(KivAssocId assocId);
// The ids the slots hold, in slot order.
std::vector<KivAssocId> SlotAssociations();
