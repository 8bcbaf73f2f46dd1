#pragma once
// Common base of the framework-style exceptions. They are thrown by value and caught by
// (const) reference; what() gives the sentence a log or a message box can show.
#include <exception>
#include <string>

class CException : public std::exception {
public:
    CException() = default;
    explicit CException(std::string strMessage) : m_strMessage(std::move(strMessage)) {}

    const char* what() const noexcept override { return m_strMessage.c_str(); }
    const std::string& GetErrorMessage() const { return m_strMessage; }

protected:
    std::string m_strMessage;
};
