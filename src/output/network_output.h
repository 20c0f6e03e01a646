#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "net/ipp_response.h"
#include "net/printer_address.h"
#include "output/printer_output.h"
#include "platform/network.h"

namespace morvane::output {

// How long a printer may take to take the connection, and, once it has every
// byte, to close its end.
inline constexpr int kConnectTimeoutMilliseconds = 10000;
inline constexpr int kPeerCloseTimeoutMilliseconds = 30000;

// How long an LPD server may take to acknowledge a step, and how much of the
// message that may follow a refusal is read.
inline constexpr int kLpdAnswerTimeoutMilliseconds = 30000;
inline constexpr std::uint32_t kLpdMessageBytes = 256;

// How long an IPP printer may take to answer a request once it has it all.
inline constexpr int kIppAnswerTimeoutMilliseconds = 60000;

// How long one question about a job's state may wait for its answer.
inline constexpr int kIppAskTimeoutMilliseconds = 10000;

// A failed copy to an address: "Fout bij uitvoer naar tcp://10.0.0.7: de
// printer weigert de verbinding!".
inline constexpr char kNetworkFailedPrefix[] = "Fout bij uitvoer naar ";
inline constexpr char kNetworkFailedSeparator[] = ": ";
inline constexpr char kNetworkFailedSuffix[] = "!";
inline constexpr char kCauseNameNotFound[] = "de naam van de printer is onbekend";
inline constexpr char kCauseRefused[] = "de printer weigert de verbinding";
inline constexpr char kCauseNoAnswer[] = "de printer antwoordt niet";
inline constexpr char kCauseReset[] = "de printer verbrak de verbinding";
inline constexpr char kCauseClosedEarly[] =
    "de printer sloot de verbinding voordat alles was verzonden";
// An LPD server's refusal: "de printer weigert de opdracht (antwoord 1: no
// such queue)".
inline constexpr char kCauseLpdRefusedPrefix[] = "de printer weigert de opdracht (antwoord ";
inline constexpr char kCauseLpdMessageSeparator[] = ": ";
inline constexpr char kCauseLpdRefusedSuffix[] = ")";
// An IPP printer's refusal: "de printer weigert de opdracht (IPP-status
// 0x0400: ...)"; an HTTP answer other than 200, followed by its status; an
// answer that is no HTTP or IPP response.
inline constexpr char kCauseIppRefusedPrefix[] = "de printer weigert de opdracht (IPP-status ";
inline constexpr char kCauseHttpStatusPrefix[] = "de printer antwoordt met HTTP-status ";
inline constexpr char kCauseIppUnreadable[] = "het antwoord van de printer is onleesbaar";
// Followed by the system's error number.
inline constexpr char kCauseOtherPrefix[] = "netwerkfout ";
// A printer named by a text that starts as an address but is none.
inline constexpr char kBadAddressPrefix[] = "Ongeldig printeradres: ";
// An address of a protocol this program does not speak yet.
inline constexpr char kAddressUnsupportedPrefix[] = "Printeradres niet ondersteund: ";

// The cause of a network failure in words.
std::string NetworkCauseText(const platform::NetworkError& error);

// Sends one file to the printer at the address, framed by the job's INIT and
// EXIT strings, as its protocol carries a document. Reports every failure
// to the run's message sink, naming the address and the cause, and returns
// normally.
// Asks the IPP printer at the address what became of the job (Get-Job-
// Attributes). None when it could not be asked or gave no successful answer.
std::optional<net::IppResponse> AskIppJobState(const OutputServices& services,
                                               const net::PrinterAddress& address,
                                               std::int32_t jobId);

PrinterCopy SendFileToAddress(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const net::PrinterAddress& address);

}  // namespace morvane::output
