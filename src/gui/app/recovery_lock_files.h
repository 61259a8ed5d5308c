#pragma once

#include "editor/recovery.h"

#include <QLockFile>

#include <map>
#include <memory>
#include <string>

namespace corvix {

// Ownership of recovery files as lock files beside them ("salvamento.sav.lock"), held
// while this Corvix runs. A lock left by a process that has ended is taken over.
class RecoveryLockFiles final : public RecoveryLocks {
public:
    Claim claim(const std::string& path) override;
    void release(const std::string& path) override;

private:
    std::map<std::string, std::unique_ptr<QLockFile>> held_;
};

} // namespace corvix
