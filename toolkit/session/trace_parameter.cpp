#include "toolkit/session/trace_parameter.h"

#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/session/session_registry.h"

namespace {

constexpr long kInvalidParametersCode = 7;

void reportInvalidParameters(const char* diagnostic, SIAssociationState state, SIError** error) {
    const std::string message =
        std::string("Function called with invalid parameters.\nDiagnostics: ") + diagnostic;
    SIReportError(0, SI_Interface_Error, 0, kInvalidParametersCode, message.c_str(), 0, state, error);
}

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string timeText(const char* format, const std::tm& when) {
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &when);
    return std::string(buffer, length);
}

void writeLine(FILE* file, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fflush(file);
}

const char* levelName(int level) {
    switch (level) {
        case Trace_Low:
            return "Trace_Low\n";
        case Trace_High:
            return "Trace_High\n";
    }
    return "";
}

void writeBanner(FILE* file, KivAssocId assocId, const std::tm& started, KivProtocolStack stack, int level) {
    writeLine(file, "Brellin Pontrel for Windows API Trace Information\n");
    writeLine(file, "-------------------------------------------------\n");
    writeLine(file, "\nBeginning trace for Association:" + std::to_string(assocId) + "\n");
    writeLine(file, timeText("Started at %T %t%d/%m/%Y %n %n", started));
    writeLine(file, stack == TCP_Stack ? "Association uses stack: TCP_Stack\n"
                                       : "Association uses stack: OSI_Stack\n");
    writeLine(file, std::string("\nBeginning Trace at Level: ") + levelName(level));
}

}  // namespace

SIResult SISetTraceParameter(KivAssocId assocId, FILE* file, SITraceLevel level, SIError** error) {
    if (level != Trace_None && file == nullptr) {
        reportInvalidParameters("SISetTraceParameter: A trace level other than 0 needs a trace file",
                                Association_Unknown_State, error);
        return SI_NOTOK;
    }
    const std::tm now = localNow();
    SISessionRegistry& registry = siSessionRegistry();
    std::shared_ptr<SITraceSlot> slot;
    std::unique_lock<std::mutex> writing;  // the slot, held from its change to the last line written here
    SICheckOutcome outcome;
    KivProtocolStack stack = Unknown_Stack;
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        slot = registry.findTrace(assocId);
        const SIAssociation* record = registry.findAssociation(assocId);
        outcome = siCheckRecord(record);
        if (outcome == SICheckOutcome::Known) {
            stack = siRecordStack(*record);
            if (level == Trace_None) {
                registry.detachTrace(assocId);
            } else if (slot == nullptr) {
                // Held before it is listed, so that the banner comes before any other line.
                slot = std::make_shared<SITraceSlot>(SITraceEntry{level, file, assocId});
                writing = std::unique_lock<std::mutex>(slot->writing);
                registry.traces.push_back(slot);
            }
        }
    }
    if (slot != nullptr && !writing.owns_lock()) {
        // An existing entry takes this call's level and file, also when the association fails the check.
        writing = std::unique_lock<std::mutex>(slot->writing);
        slot->entry.level = level;
        slot->entry.file = file;
    }
    if (outcome != SICheckOutcome::Known) {
        if (writing.owns_lock()) writing.unlock();  // the error may go to this very trace
        return siReportCheck(assocId, outcome, error);
    }
    if (level == Trace_None) {
        if (slot == nullptr) {
            reportInvalidParameters(
                "SISetTraceParameter: There is no trace file for this Association, so it cannot be closed",
                Association_Closed, error);
            return SI_NOTOK;
        }
        slot->ended = true;
        writing.unlock();
        if (file != nullptr) {
            writeLine(file, "Ending current trace.\n");
            writeLine(file, timeText("Ended at:%T %t%d/%m/%Y %n %n", now));
        }
        return SI_OK;
    }
    if (!slot->ended) writeBanner(file, assocId, now, stack, level);  // not dropped meanwhile by an abort
    return SI_OK;
}
