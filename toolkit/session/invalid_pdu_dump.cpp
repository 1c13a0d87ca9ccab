#include "toolkit/session/invalid_pdu_dump.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>

#include "toolkit/session/pdu_printers.h"

std::string siInvalidPduFileName() {
    char name[32];
    std::snprintf(name, sizeof name, "./Inv_Pdu.%.8d", static_cast<int>(getpid()));
    return name;
}

int SIDumpInvalidPdu(const KivInvalidAPDU* invalidApdu) {
    static std::mutex dumping;
    std::lock_guard<std::mutex> lock(dumping);
    FILE* file = std::fopen(siInvalidPduFileName().c_str(), "a");
    if (file == nullptr) {
        std::fputs("couldnt open invalid pdu file diagnostic file\n", stderr);
        return -1;
    }
    struct stat status {};
    const bool full =
        fstat(fileno(file), &status) == 0 && static_cast<size_t>(status.st_size) >= kSIInvalidPduFileCap;
    if (!full) KivPrintInvalidApdu(file, invalidApdu);
    std::fclose(file);
    return full ? 0 : 1;
}
