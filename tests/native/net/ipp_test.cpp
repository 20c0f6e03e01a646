#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/http_message.h"
#include "net/http_response.h"
#include "net/ipp_request.h"
#include "net/ipp_response.h"

namespace morvane::net {
namespace {

using namespace std::string_literals;

constexpr char kUri[] = "ipp://h/p";

const std::string kStart =
    "\x01\x01\x00\x00"s  // version 1.1, the operation
    "\x00\x00\x00\x07"s
    "\x01"
    "\x47\x00\x12"
    "attributes-charset"
    "\x00\x05"
    "utf-8"
    "\x48\x00\x1b"
    "attributes-natural-language"
    "\x00\x02"
    "nl"
    "\x45\x00\x0b"
    "printer-uri"
    "\x00\x09"
    "ipp://h/p"s;

std::string Operation(char code) { return kStart.substr(0, 2) + '\0' + code + kStart.substr(4); }

TEST(IppRequest, PrintJobGetJobAttributesAndCancelJobAreEncodedAsTheProtocolSays) {
  const IppJobRequest request{7, kUri, "jan"};
  EXPECT_EQ(EncodePrintJob(request, "C:\\a.prn"), Operation('\x02') +
                                                      "\x42\x00\x14"
                                                      "requesting-user-name"
                                                      "\x00\x03"
                                                      "jan"
                                                      "\x42\x00\x08"
                                                      "job-name"
                                                      "\x00\x08"
                                                      "C:\\a.prn"
                                                      "\x49\x00\x0f"
                                                      "document-format"
                                                      "\x00\x18"
                                                      "application/octet-stream"
                                                      "\x03"s);
  const std::string jobId =
      "\x21\x00\x06"
      "job-id"
      "\x00\x04\x00\x01\x02\x03"s;
  const std::string user =
      "\x42\x00\x14"
      "requesting-user-name"
      "\x00\x03"
      "jan"s;
  EXPECT_EQ(EncodeGetJobAttributes(request, 0x010203), Operation('\x09') + jobId + user +
                                                           "\x44\x00\x14"
                                                           "requested-attributes"
                                                           "\x00\x09"
                                                           "job-state"
                                                           "\x44\x00\x00\x00\x11"
                                                           "job-state-reasons"
                                                           "\x44\x00\x00\x00\x11"
                                                           "job-state-message"
                                                           "\x03"s);
  EXPECT_EQ(EncodeCancelJob(request, 0x010203), Operation('\x08') + jobId + user + "\x03"s);
}

TEST(IppRequest, NamesAreCutAtACharactersStartAndAnEmptyUserIsAnonymous) {
  // 254 octets and a two-octet character: the character does not fit.
  const std::string name = std::string(254, 'n') + "\xC3\xA9";
  const std::string encoded = EncodePrintJob(IppJobRequest{1, kUri, ""}, name);
  EXPECT_NE(encoded.find("\x00\x09"
                         "anonymous"s),
            std::string::npos);
  EXPECT_NE(encoded.find("job-name\x00\xFE"s + std::string(254, 'n') + "\x49"), std::string::npos);
}

// A response as a printer writes it, value by value.
std::string Value(char tag, const std::string& name, const std::string& value) {
  auto length = [](std::size_t n) {
    return std::string{static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)};
  };
  return tag + length(name.size()) + name + length(value.size()) + value;
}

const std::string kAnswer =
    "\x02\x00\x04\x06\x00\x00\x00\x2A"s + "\x01" + Value('\x47', "attributes-charset", "utf-8") +
    Value('\x35', "status-message",
          "\x00\x02nl\x00\x05"
          "bad\x07!"s) +
    "\x02" + Value('\x45', "job-uri", "ipp://h/jobs/5") +
    Value('\x21', "job-id", "\x00\x00\x00\x05"s) + Value('\x23', "job-state", "\x00\x00\x00\x08"s) +
    Value('\x44', "job-state-reasons", "media-empty") +
    Value('\x44', "", "job-canceled-at-device") + Value('\x41', "job-state-message", "Papier op") +
    Value('\x13', "x-unknown", "") + "\x03" + "document bytes";

TEST(IppResponse, ReadsTheHeaderAndTheJobsIdStateReasonsAndMessages) {
  const auto response = DecodeIppResponse(kAnswer);
  ASSERT_TRUE(response);
  EXPECT_EQ(response->versionMajor, 2);
  EXPECT_EQ(response->versionMinor, 0);
  EXPECT_EQ(response->status, 0x0406);
  EXPECT_FALSE(IppSucceeded(response->status));
  EXPECT_TRUE(IppSucceeded(0x0001));
  EXPECT_EQ(response->requestId, 42u);
  EXPECT_EQ(response->statusMessage, "bad !");
  EXPECT_EQ(response->jobId, 5);
  EXPECT_EQ(response->jobState, kJobAborted);
  EXPECT_EQ(response->jobStateReasons,
            (std::vector<std::string>{"media-empty", "job-canceled-at-device"}));
  EXPECT_EQ(response->jobStateMessage, "Papier op");
}

TEST(IppResponse, ABrokenResponseIsRefusedWithoutReadingPastItsEnd) {
  // Every part of the answer short of its end tag is incomplete.
  const std::size_t end = kAnswer.find(
      "\x03"
      "document");
  for (std::size_t size = 0; size <= end; ++size) {
    // A copy of its own, so that a read past the end shows to the sanitizer.
    const std::string part = kAnswer.substr(0, size);
    EXPECT_FALSE(DecodeIppResponse(part)) << size;
  }
  const std::string header = "\x01\x01\x00\x00\x00\x00\x00\x01"s;
  for (const std::string& broken : {
           header + "\x02" + Value('\x21', "job-id", "\x00\x05"s) + "\x03",
           header + "\x02" + Value('\x44', "", "lost") + "\x03",
           header + "\x00\x03"s,
           header + "\x02" + Value('\x41', "job-state-message", "x"),
       }) {
    EXPECT_FALSE(DecodeIppResponse(broken));
  }
  // A job-state-message whose language runs past its value is left out.
  const auto odd = DecodeIppResponse(header + "\x02" +
                                     Value('\x35', "job-state-message", "\x00\x09nl"s) + "\x03");
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->jobStateMessage, "");
}

TEST(HttpMessage, PostHeadAndChunks) {
  EXPECT_EQ(IppPostHead("/ipp/print", "[::1]:631", std::nullopt),
            "POST /ipp/print HTTP/1.1\r\nHost: [::1]:631\r\nContent-Type: application/ipp\r\n"
            "Transfer-Encoding: chunked\r\n\r\n");
  EXPECT_EQ(IppPostHead("/p", "h:631", 12),
            "POST /p HTTP/1.1\r\nHost: h:631\r\n"
            "Content-Type: application/ipp\r\nContent-Length: 12\r\n\r\n");
  EXPECT_EQ(ChunkHead(0x1A2B), "1A2B\r\n");
  std::string body;
  AppendChunk(body, "");
  AppendChunk(body, "abc");
  body += kLastChunk;
  EXPECT_EQ(body, "3\r\nabc\r\n0\r\n\r\n");
}

using State = HttpResponseReader::State;

// The response fed in pieces of each size from 1 to the whole.
void ExpectRead(const std::string& response, int status, const std::string& body) {
  for (std::size_t piece = 1; piece <= response.size(); ++piece) {
    HttpResponseReader reader;
    State state = State::Reading;
    for (std::size_t at = 0; at < response.size(); at += piece) {
      state = reader.Take(std::string_view(response).substr(at, piece));
    }
    EXPECT_EQ(state, State::Complete) << response << " in pieces of " << piece;
    EXPECT_EQ(reader.status(), status) << response;
    EXPECT_EQ(reader.body(), body) << response;
  }
}

TEST(HttpResponse, ReadsTheBodyByItsLengthItsChunksOrTheClose) {
  ExpectRead("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Type: application/ipp\r\n\r\nhelloX",
             200, "hello");
  ExpectRead(
      "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\ntransfer-encoding:  Chunked \r\n\r\n"
      "3;x=y\r\nabc\r\n10\r\n0123456789abcdef\r\n0\r\nX-T: 1\r\n\r\n",
      200, "abc0123456789abcdef");
  ExpectRead("HTTP/1.0 404\nContent-Length: 0\n\n", 404, "");
  ExpectRead("HTTP/1.1 204 No Content\r\n\r\n", 204, "");

  HttpResponseReader toClose;
  EXPECT_EQ(toClose.Take("HTTP/1.1 200 OK\r\n\r\nsome"), State::Reading);
  EXPECT_EQ(toClose.Take(" more"), State::Reading);
  EXPECT_EQ(toClose.Closed(), State::Complete);
  EXPECT_EQ(toClose.body(), "some more");
}

TEST(HttpResponse, BrokenFramingIsMalformed) {
  for (const std::string& response : {
           "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\nContent-Length: 5x\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\nContent-Length: 99999999999\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n"s,
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcd\r\n"s,
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFF\r\n"s,
           "HTTP/1.1 200 OK\r\nX: 1\r\n folded\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\nNo colon\r\n\r\n"s,
           "HTTP/2 200 OK\r\n\r\n"s,
           "HTTP/1.1 20 OK\r\n\r\n"s,
           "HTTP/1.1 200OK\r\n\r\n"s,
           "HTTP/1.1 200 OK\r\n" + std::string(9000, 'x') + "\r\n",
       }) {
    HttpResponseReader reader;
    EXPECT_EQ(reader.Take(response), State::Malformed) << response;
  }
  HttpResponseReader cut;
  cut.Take("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc");
  EXPECT_EQ(cut.Closed(), State::Malformed);
}

}  // namespace
}  // namespace morvane::net
