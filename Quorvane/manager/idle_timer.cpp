#include "Quorvane/association/session_lock.h"
#include "Quorvane/association/session_table.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"

void IdleTimerProc(ConnectionHost& host) {
    const int timeOut = GetIniInt("Start", "ulTimeOut");
    for (KivAssocId assocId : SlotAssociations()) {
        const std::shared_ptr<SessionRecord> session = FindSession(assocId);
        if (session == nullptr) continue;
        const std::int32_t idle = CountIdleMinute(*session);
        if (idle < 0 || idle < timeOut) continue;
        AssociationExit(assocId);
        TimeoutClose(assocId, host);
    }
}
