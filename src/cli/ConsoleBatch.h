#pragma once

#include "batch/BatchDriver.h"
#include "batch/HeadlessBatchHost.h"

#include <functional>

class BatchHost;
struct BatchSettings;

namespace cli {

class ConsoleOutput;
struct CliOptions;

// The headless host of the tool: the run flag turns "STOP" once Ctrl-C was
// pressed, wherever a loop looks at it, and stays so.
class ConsoleBatchHost final : public HeadlessBatchHost {
  public:
    using HeadlessBatchHost::HeadlessBatchHost;
    QString operationFlag() const override;
};

// One batch loop over the paths of a command line, under the shared begin
// and end steps: each folder's paths in turn are the list the loop works
// through, with the folder options that follow the browsed folder set to it.
// Status texts and error-log lines go to `output`. Returns the exit status:
// 0 when the log stayed empty and the run was not stopped, else 1.
using BatchLoop = std::function<void(BatchHost &, const BatchSettings &)>;
int runBatch(const CliOptions &options, ConsoleOutput &output, const BatchTexts &texts,
             const BatchLoop &loop);

}  // namespace cli
