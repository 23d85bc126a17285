// Hostile server replies through the mail sender's reading of its SMTP conversation, cut into
// pieces of any size and mixed with the client's commands: no crash, no read past the input, and
// what is kept stays within its bounds and free of control characters.
#include <ncreportsmtpconversation_p.h>

#include <fuzzinput.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void check(const NCReportSmtpConversation::Reply& reply)
{
    if (reply.code != 0 && (reply.code < 100 || reply.code > 599))
        std::abort();
    if (reply.text.size() > NCReportSmtpConversation::maxTextLength)
        std::abort();
    for (const QChar c : reply.text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first bytes choose how the rest is cut and who says each piece.
    FuzzInput choices(data, size < 8 ? size : 8);
    const size_t start = size < 8 ? size : 8;
    NCReportSmtpConversation conversation;
    for (size_t at = start; at < size;) {
        const size_t length = std::min<size_t>(size - at, size_t(1 + choices.next(64)) * (1 + choices.next(16)));
        const QByteArray piece(reinterpret_cast<const char*>(data + at), int(length));
        if (choices.next(4) == 0)
            conversation.sent(piece);
        else
            conversation.received(piece);
        at += length;
        check(conversation.lastReply());
        check(conversation.refusal());
    }
    if (conversation.extensions().size() > NCReportSmtpConversation::maxKeywords)
        std::abort();
    return 0;
}
