#include "toolkit/session/pdu_trace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/session/session_fixture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/session/pdu_printers.h"

// Printers that name themselves and the record they were given, so that each wrapper's call can be seen in
// the trace. Defining every printer here keeps the library's stand-ins out of this program.
namespace {

const void* printedRecord = nullptr;
std::function<void()> duringPrint;  // run by every printer after its line

void fakePrint(FILE* file, const char* printer, const void* record) {
    std::fprintf(file, "%s\n", printer);
    printedRecord = record;
    if (duringPrint) duringPrint();
}

}  // namespace

void KivPrintInitializeReq(FILE* f, const KivInitializeReq* r) {
    fakePrint(f, "KivPrintInitializeReq", r);
}
void KivPrintInitializeRsp(FILE* f, const KivInitializeRsp* r) {
    fakePrint(f, "KivPrintInitializeRsp", r);
}
void KivPrintSearchReq(FILE* f, const KivSearchReq* r) {
    fakePrint(f, "KivPrintSearchReq", r);
}
void KivPrintSearchRsp(FILE* f, const KivSearchRsp* r) {
    fakePrint(f, "KivPrintSearchRsp", r);
}
void KivPrintPresentReq(FILE* f, const KivPresentReq* r) {
    fakePrint(f, "KivPrintPresentReq", r);
}
void KivPrintPresentRsp(FILE* f, const KivPresentRsp* r) {
    fakePrint(f, "KivPrintPresentRsp", r);
}
void KivPrintDeleteResultSetReq(FILE* f, const KivDeleteResultSetReq* r) {
    fakePrint(f, "KivPrintDeleteResultSetReq", r);
}
void KivPrintDeleteResultSetRsp(FILE* f, const KivDeleteResultSetRsp* r) {
    fakePrint(f, "KivPrintDeleteResultSetRsp", r);
}
void KivPrintResourceReportReq(FILE* f, const KivResourceReportReq* r) {
    fakePrint(f, "KivPrintResourceReportReq", r);
}
void KivPrintResourceReportRsp(FILE* f, const KivResourceReportRsp* r) {
    fakePrint(f, "KivPrintResourceReportRsp", r);
}
void KivPrintScanReq(FILE* f, const KivScanReq* r) {
    fakePrint(f, "KivPrintScanReq", r);
}
void KivPrintScanRsp(FILE* f, const KivScanRsp* r) {
    fakePrint(f, "KivPrintScanRsp", r);
}
void KivPrintSortReq(FILE* f, const KivSortReq* r) {
    fakePrint(f, "KivPrintSortReq", r);
}
void KivPrintSortRsp(FILE* f, const KivSortRsp* r) {
    fakePrint(f, "KivPrintSortRsp", r);
}
void KivPrintSegmentReq(FILE* f, const KivSegmentReq* r) {
    fakePrint(f, "KivPrintSegmentReq", r);
}
void KivPrintExtendedServicesReq(FILE* f, const KivExtendedServicesReq* r) {
    fakePrint(f, "KivPrintExtendedServicesReq", r);
}
void KivPrintExtendedServicesRsp(FILE* f, const KivExtendedServicesRsp* r) {
    fakePrint(f, "KivPrintExtendedServicesRsp", r);
}
void KivPrintClose(FILE* f, const KivClose* r) {
    fakePrint(f, "KivPrintClose", r);
}
void KivPrintAccessControlReq(FILE* f, const KivAccessControlReq* r) {
    fakePrint(f, "KivPrintAccessControlReq", r);
}
void KivPrintAccessControlRsp(FILE* f, const KivAccessControlRsp* r) {
    fakePrint(f, "KivPrintAccessControlRsp", r);
}
void KivPrintResourceControlReq(FILE* f, const KivResourceControlReq* r) {
    fakePrint(f, "KivPrintResourceControlReq", r);
}
void KivPrintResourceControlRsp(FILE* f, const KivResourceControlRsp* r) {
    fakePrint(f, "KivPrintResourceControlRsp", r);
}
void KivPrintTriggerResourceControlReq(FILE* f, const KivTriggerResourceControlReq* r) {
    fakePrint(f, "KivPrintTriggerResourceControlReq", r);
}
void KivPrintInvalidApdu(FILE* f, const KivInvalidAPDU* r) {
    fakePrint(f, "KivPrintInvalidApdu", r);
}

namespace {

using PduTraceTest = SessionFixture;

struct Wrapper {
    std::string title;
    std::string printer;
    std::function<const void*(KivAssocId)> call;  // traces a record of its type and gives the record
};

template <typename Record>
std::function<const void*(KivAssocId)> tracing(void (*wrapper)(KivAssocId, const Record*)) {
    return [wrapper](KivAssocId id) {
        static const Record record{};
        wrapper(id, &record);
        return static_cast<const void*>(&record);
    };
}

const Wrapper kWrappers[] = {
    {"## InitializeReq PDU ##\n", "KivPrintInitializeReq", tracing(SITracePduInitializeReq)},
    {"## InitializeRsp PDU ##\n", "KivPrintInitializeRsp", tracing(SITracePduInitializeRsp)},
    {"## SearchReq PDU ##\n", "KivPrintSearchReq", tracing(SITracePduSearchReq)},
    {"## SearchRsp PDU ##\n", "KivPrintSearchRsp", tracing(SITracePduSearchRsp)},
    {"## PresentReq PDU ##\n", "KivPrintPresentReq", tracing(SITracePduPresentReq)},
    {"## PresentRsp PDU ##\n", "KivPrintPresentRsp", tracing(SITracePduPresentRsp)},
    {"## DeleteResultSetReq PDU ##\n", "KivPrintDeleteResultSetReq", tracing(SITracePduDeleteResultSetReq)},
    {"## DeleteResultSetRsp PDU ##\n", "KivPrintDeleteResultSetRsp", tracing(SITracePduDeleteResultSetRsp)},
    {"## ResourceReportReq PDU ##\n", "KivPrintResourceReportReq", tracing(SITracePduResourceReportReq)},
    {"## ResourceReportRsp PDU ##\n", "KivPrintResourceReportRsp", tracing(SITracePduResourceReportRsp)},
    {"## ScanReq PDU ##\n", "KivPrintScanReq", tracing(SITracePduScanReq)},
    {"## ScanRsp PDU ##\n", "KivPrintScanRsp", tracing(SITracePduScanRsp)},
    {"## SortReq PDU ##\n", "KivPrintSortReq", tracing(SITracePduSortReq)},
    {"## SortRsp PDU ##\n", "KivPrintSortRsp", tracing(SITracePduSortRsp)},
    {"## SegmentReq PDU ##\n", "KivPrintSegmentReq", tracing(SITracePduSegmentReq)},
    {"## ExtendedServicesReq PDU ##\n", "KivPrintExtendedServicesReq",
     tracing(SITracePduExtendedServicesReq)},
    {"## ExtendedServicesRsp PDU ##\n", "KivPrintExtendedServicesRsp",
     tracing(SITracePduExtendedServicesRsp)},
    {"## Close 'CloseReq' PDU ##\n", "KivPrintClose", tracing(SITracePduCloseReq)},
    {"## Close 'CloseRsp' PDU ##\n", "KivPrintClose", tracing(SITracePduCloseRsp)},
    {"## psInvalidAPDU PDU ##\n", "KivPrintInvalidApdu", tracing(SITracePduInvalidAPDU)},
    {"## AccessControlReq PDU ##\n", "KivPrintAccessControlReq", tracing(SITracePduAccessControlReq)},
    {"## AccessControlRsp PDU ##\n", "KivPrintAccessControlRsp", tracing(SITracePduAccessControlRsp)},
    {"## ResourceControlReq PDU ##\n", "KivPrintResourceControlReq", tracing(SITracePduResourceControlReq)},
    {"## ResourceControlRsp PDU ##\n", "KivPrintResourceControlRsp", tracing(SITracePduResourceControlRsp)},
    {"## TriggerResourceControlReq PDU ##\n", "KivPrintTriggerResourceControlReq",
     tracing(SITracePduTriggerResourceControlReq)},
};

TEST_F(PduTraceTest, AtTraceHighEachWrapperFramesItsPrinter) {
    registerAssociation(901);
    trace(901, Trace_High);
    std::string expected;
    for (const Wrapper& wrapper : kWrappers) {
        SCOPED_TRACE(wrapper.title);
        printedRecord = nullptr;
        const void* record = wrapper.call(901);
        EXPECT_EQ(printedRecord, record);
        expected += kRule + wrapper.title + "\n" + wrapper.printer + "\n" + kRule;
    }
    EXPECT_EQ(linesAfterBanner("trace.txt"), expected);
}

TEST_F(PduTraceTest, AtTraceLowNothingOfTheBlockIsWritten) {
    registerAssociation(902);
    trace(902, Trace_Low);
    printedRecord = nullptr;
    for (const Wrapper& wrapper : kWrappers) wrapper.call(902);
    EXPECT_EQ(printedRecord, nullptr);
    EXPECT_EQ(linesAfterBanner("trace.txt"), "");
}

TEST_F(PduTraceTest, AtAnyOtherLevelTheFieldsAreLeftOut) {
    registerAssociation(903);
    trace(903, static_cast<SITraceLevel>(3));
    printedRecord = nullptr;
    kWrappers[2].call(903);
    EXPECT_EQ(printedRecord, nullptr);
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              kRule + "## SearchReq PDU ##\n\n" +
                  "PDU fields are only displayed for trace level Trace_High\n" + kRule);
}

// A printer writes straight to the trace file. Ending the trace while it writes must wait for it: only then
// may the caller close the file. The printer gives the ending every chance to overtake it; it must not.
TEST_F(PduTraceTest, EndingTheTraceWaitsForAPrinterAtWork) {
    registerAssociation(905);
    FILE* file = std::fopen("printing.txt", "w");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(SISetTraceParameter(905, file, Trace_High, nullptr), SI_OK);
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> order;
    std::thread ender;
    duringPrint = [&] {
        ender = std::thread([&] {
            SISetTraceParameter(905, nullptr, Trace_None, nullptr);
            std::lock_guard<std::mutex> lock(mutex);
            order.push_back("trace ended");
            changed.notify_all();
        });
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait_for(lock, std::chrono::milliseconds(300), [&] { return !order.empty(); });
        order.push_back("printer done");
    };
    const KivScanRsp record{};
    SITracePduScanRsp(905, &record);
    ender.join();
    duringPrint = nullptr;
    std::fclose(file);
    EXPECT_EQ(order, (std::vector<std::string>{"printer done", "trace ended"}));
    EXPECT_EQ(linesAfterBanner("printing.txt"), kRule + "## ScanRsp PDU ##\n\nKivPrintScanRsp\n" + kRule);
}

TEST_F(PduTraceTest, AnUntracedAssociationPrintsNothing) {
    printedRecord = nullptr;
    kWrappers[0].call(904);
    EXPECT_EQ(printedRecord, nullptr);
}

TEST_F(PduTraceTest, ANewLineGoesToTheFileGiven) {
    FILE* file = openFile("lines.txt");
    std::fputs("text", file);
    EXPECT_TRUE(siTraceNewLine(file));
    EXPECT_TRUE(siTraceNewLine(file));
    std::fflush(file);
    EXPECT_EQ(fileText("lines.txt"), "text\n\n");
    EXPECT_FALSE(siTraceNewLine(nullptr));
    FILE* readOnly = std::fopen("lines.txt", "r");
    ASSERT_NE(readOnly, nullptr);
    EXPECT_FALSE(siTraceNewLine(readOnly));
    std::fclose(readOnly);
}

}  // namespace
