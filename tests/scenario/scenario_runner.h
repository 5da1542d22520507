#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/windows.h"
#include "recording_services.h"
#include "scenario_script.h"

class QWidget;

namespace kelvo::scenario {

// A failed step: where, and what was expected against what was found.
struct Failure {
    int line = 0;
    std::string message;
};

// Runs one script against fresh windows: as a person types, clicks and pastes, then checks what
// the windows show and what the platform was asked to do.
class ScenarioRunner {
  public:
    ScenarioRunner();
    ~ScenarioRunner();
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    [[nodiscard]] std::optional<Failure> Run(const Script& script);
    // One step; a failed check throws std::runtime_error with the message.
    void Perform(const Step& step);

    [[nodiscard]] const Windows& GetWindows() const { return windows_; }
    [[nodiscard]] RecordingServices& Services() { return services_; }
    [[nodiscard]] QWidget* FindControl(const std::string& name) const { return Find(name); }

  private:
    [[nodiscard]] QWidget* Find(const std::string& name) const;
    [[nodiscard]] QWidget* Require(const Step& step, std::size_t index) const;

    RecordingServices services_;
    Windows windows_;
};

} // namespace kelvo::scenario
