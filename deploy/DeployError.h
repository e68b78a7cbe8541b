#pragma once
// The one exception of the deployment layer: what failed (UTF-8, naming the file) and, apart, the
// system's reason. Commands catch it and report it in their result.

#include "core/TvError.h"

namespace tv {

class EDeployError final : public ETvError {
public:
    using ETvError::ETvError;
};

} // namespace tv
