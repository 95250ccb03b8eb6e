// The Fennick translation against a plain left-to-right reference: same result, never longer,
// and no escape sequence left behind.
#include "receive/devicebytes.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const std::string escapeEnter = "\x1b"
                                "enter.";
const std::string escapeTab = "\x1b"
                              "TAB.";

std::string replaceAll(const std::string &text, const std::string &from, const std::string &to)
{
    std::string result;
    size_t at = 0;
    while (at < text.size()) {
        if (text.compare(at, from.size(), from) == 0) {
            result += to;
            at += from.size();
        } else {
            result += text[at++];
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    QByteArray translated = QByteArray::fromStdString(input);
    DeviceBytes::translateFennickEscapes(translated);
    const std::string result = translated.toStdString();
    if (result != replaceAll(replaceAll(input, escapeEnter, "\r\n"), escapeTab, "\t"))
        std::abort();
    if (result.size() > input.size())
        std::abort();
    if (result.find(escapeEnter) != std::string::npos ||
        result.find(escapeTab) != std::string::npos)
        std::abort();
    return 0;
}
