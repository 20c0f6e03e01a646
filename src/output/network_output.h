#pragma once

#include <cstdint>
#include <string>

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
PrinterCopy SendFileToAddress(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const net::PrinterAddress& address);

}  // namespace morvane::output
