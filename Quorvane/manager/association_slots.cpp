#include "Quorvane/manager/association_slots.h"

#include <array>
#include <mutex>

#include "Quorvane/association/session_table.h"
#include "Quorvane/manager/association_manager.h"

namespace {

struct SlotTable {
    std::mutex mutex;
    std::array<KivAssocId, kAssociationSlots + 1> slots{};  // index 0 is never used
};

SlotTable& slotTable() {
    static SlotTable table;
    return table;
}

// Index of the id among slots 1 .. kAssociationSlots; 0 when absent. The table's mutex is held.
int find(const SlotTable& table, KivAssocId assocId) {
    for (int slot = 1; slot <= kAssociationSlots; ++slot) {
        if (table.slots[static_cast<std::size_t>(slot)] == assocId) return slot;
    }
    return 0;
}

}  // namespace

int SlotTake(KivAssocId assocId) {
    // A slot lives as long as the association's session record: freeing the record frees the slot.
    static std::once_flag hookInstalled;
    std::call_once(hookInstalled, [] { SetSessionFreedHook(AssociationSessionFreed); });

    if (assocId == 0) return 0;
    SlotTable& table = slotTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    if (find(table, assocId) != 0) return 0;
    const int slot = find(table, 0);
    if (slot == 0) return 0;
    table.slots[static_cast<std::size_t>(slot)] = assocId;
    return 1;
}

int SlotLookup(KivAssocId assocId) {
    if (assocId == 0) return 0;
    SlotTable& table = slotTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    return find(table, assocId);
}

int SlotFree(KivAssocId assocId) {
    if (assocId == 0) return 0;
    SlotTable& table = slotTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    const int slot = find(table, assocId);
    if (slot != 0) table.slots[static_cast<std::size_t>(slot)] = 0;
    return slot;
}

std::vector<KivAssocId> SlotAssociations() {
    SlotTable& table = slotTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    std::vector<KivAssocId> ids;
    for (int slot = 1; slot <= kAssociationSlots; ++slot) {
        if (KivAssocId id = table.slots[static_cast<std::size_t>(slot)]; id != 0) ids.push_back(id);
    }
    return ids;
}
