#pragma once
// The one exception of the deployment layer: what failed (UTF-8, naming the file) and, apart, the
// system's reason. Commands catch it and report it in their result.

#include <stdexcept>
#include <string>

namespace tv {

class EDeployError final : public std::runtime_error {
public:
    explicit EDeployError(const std::string& message, std::string reason = {})
        : std::runtime_error(message), m_Reason(std::move(reason)) {}
    const std::string& Reason() const { return m_Reason; }
    // The message with the reason, for a report.
    std::string Text() const {
        return m_Reason.empty() ? what() : std::string(what()) + " (" + m_Reason + ")";
    }

private:
    std::string m_Reason;
};

} // namespace tv
