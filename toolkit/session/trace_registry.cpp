#include "toolkit/session/trace_registry.h"

#include "toolkit/session/session_registry.h"

namespace {

std::shared_ptr<SITraceSlot> findTrace(KivAssocId assocId) {
    SISessionRegistry& registry = siSessionRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    return registry.findTrace(assocId);
}

}  // namespace

bool SIMatchTraceEntry(const SITraceEntry& entry, KivAssocId assocId) {
    return entry.lAssocId == assocId;
}

int SIGetTraceLevel(KivAssocId assocId) {
    int level = Trace_None;
    siWithTrace(assocId, [&level](const SITraceSink& sink) { level = sink.level(); });
    return level;
}

void SIGetTraceFile(KivAssocId assocId, FILE** file) {
    siWithTrace(assocId, [file](const SITraceSink& sink) { *file = sink.file(); });
}

int SITraceWrite(KivAssocId assocId, int lineLevel, std::string_view text) {
    siWithTrace(assocId, [lineLevel, text](const SITraceSink& sink) { sink.write(lineLevel, text); });
    return 1;
}

void SITraceSink::write(int lineLevel, std::string_view text) const {
    if (entry_.level == Trace_None || entry_.file == nullptr) return;
    if (entry_.level == Trace_Low && lineLevel == Trace_High) return;
    std::fwrite(text.data(), 1, text.size(), entry_.file);
    std::fflush(entry_.file);
}

bool siWithTrace(KivAssocId assocId, const std::function<void(const SITraceSink&)>& write) {
    std::shared_ptr<SITraceSlot> slot = findTrace(assocId);
    if (slot == nullptr) return false;
    std::lock_guard<std::recursive_mutex> writing(slot->writing);
    if (slot->ended) return false;
    write(SITraceSink(slot->entry));
    return true;
}
