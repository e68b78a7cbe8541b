#pragma once
// The base of the program's own exceptions: what failed (UTF-8, naming the file) and, apart, the
// system's reason. Each layer throws its own kind (the store's EInOutError, the deployment's
// EDeployError); whoever only reports a failure may catch this one.

#include <stdexcept>
#include <string>
#include <utility>

namespace tv {

class ETvError : public std::runtime_error {
public:
    explicit ETvError(const std::string& message, std::string reason = {})
        : std::runtime_error(message), m_Reason(std::move(reason)) {}
    // What the system said ("Permission denied"); empty when it said nothing.
    const std::string& Reason() const { return m_Reason; }
    // The message with the reason, for a report.
    std::string Text() const {
        return m_Reason.empty() ? what() : std::string(what()) + " (" + m_Reason + ")";
    }

private:
    std::string m_Reason;
};

} // namespace tv
