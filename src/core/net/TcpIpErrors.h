#pragma once
// The exceptions of the socket components.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tolvane {

class ETcpIpError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ESocketError : public ETcpIpError {
  public:
    explicit ESocketError(std::uint16_t code)
        : ETcpIpError("Error creating socket"), ErrorCode(code) {}
    std::uint16_t ErrorCode;
};

class EProtocolError : public ETcpIpError {
  public:
    EProtocolError(std::string protocol, std::uint16_t code, const std::string& message)
        : ETcpIpError(message), ErrorCode(code), Protocol(std::move(protocol)) {}
    std::uint16_t ErrorCode;
    std::string Protocol;  // "FTP" or "POP3"
};

class EProtocolBusy : public ETcpIpError {
  public:
    EProtocolBusy() : ETcpIpError("Protocol busy") {}
};

}  // namespace tolvane
