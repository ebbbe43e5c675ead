// FTP reply reading as tables of server lines, the PASV reply and the small
// address helpers.

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <deque>

#include "net/AddressRoutines.h"
#include "net/FtpReply.h"
#include "net/TcpIpErrors.h"

using namespace tolvane;

namespace {

struct Lines {
    std::deque<std::string> left;
    std::vector<std::string> traced;
    FtpReply Read() {
        return ReadFtpReply(
            [this]() -> std::optional<std::string> {
                if (left.empty()) return std::nullopt;
                std::string l = left.front();
                left.pop_front();
                return l;
            },
            [this](const std::string& l) { traced.push_back(l); });
    }
};

}  // namespace

TEST(FtpReply, MultiLineRules) {
    struct Case {
        std::deque<std::string> lines;
        int code;
        std::string text;
        std::size_t consumed;
    } cases[] = {
        {{"220-a", " b", "220 c", "331 next"}, 220, "a", 3},
        {{"530-x", "530 y"}, 530, "x", 1},  // error replies: first line only
        {{"abc"}, 999, "", 1},
        {{"250-first", "250-second", "250 done"}, 250, "first", 3},
        {{"211-status", "not a continuation", "211 end"}, 211, "status", 2},
        {{"226 Transfer complete"}, 226, "Transfer complete", 1},
        {{"22"}, 999, "", 1},
    };
    for (const auto& c : cases) {
        Lines l{c.lines, {}};
        FtpReply r = l.Read();
        EXPECT_EQ(r.Code, c.code) << c.lines.front();
        EXPECT_EQ(r.Text, c.text) << c.lines.front();
        EXPECT_EQ(l.traced.size(), c.consumed) << c.lines.front();
    }
}

TEST(FtpReply, EndlessOrCutRepliesAreProtocolErrors) {
    Lines cut{{"220-hello", " more"}, {}};
    EXPECT_THROW(cut.Read(), EProtocolError);
    Lines none{{}, {}};
    EXPECT_THROW(none.Read(), EProtocolError);
    Lines huge{{std::string(kMaxReplyLine + 1, 'x')}, {}};
    EXPECT_THROW(huge.Read(), EProtocolError);
    std::deque<std::string> endless(kMaxReplyLines + 5, "220-again");
    Lines many{endless, {}};
    EXPECT_THROW(many.Read(), EProtocolError);
}

TEST(FtpReply, PassiveReplies) {
    auto target = ParsePasvReply("Entering Passive Mode (192,168,0,10,195,80)");
    ASSERT_TRUE(target);
    EXPECT_EQ(AddressToText(target->Address), "192.168.0.10");
    EXPECT_EQ(target->Port, 50000);
    auto odd = ParsePasvReply("=127,0,0,1,4,1)");  // no "(": the whole text up to ")"
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->Port, 1025);
    EXPECT_EQ(odd->Address, kNoAddress);
    EXPECT_EQ(ParsePasvReply("(1,2,3,4,255,300)")->Port, (255 * 256 + 300) % 65536);
    for (const char* bad :
         {"Entering Passive Mode", "(1,2,3)", "(127,0,0,1,x,1)", "(127,0,0,1,4)", ""}) {
        EXPECT_FALSE(ParsePasvReply(bad)) << bad;
    }
}

TEST(AddressRoutines, Helpers) {
    EXPECT_EQ(NthPos(',', "10,0,0,5,4,1", 4), 9);
    EXPECT_EQ(NthPos(',', "1,2", 4), 6);
    EXPECT_EQ(NthPos(',', "1,2", 0), 0);
    in_addr a{};
    inet_pton(AF_INET, "10.0.0.5", &a);
    EXPECT_EQ(AddressToText(a.s_addr), "10.0.0.5");
    EXPECT_EQ(ResolveHost("127.0.0.1"), htonl(0x7F000001));
    EXPECT_EQ(ResolveHost(""), kNoAddress);
}
