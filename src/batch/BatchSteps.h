#pragma once

class BatchHost;

// Steps that every batch loop takes between its entries.
namespace batchsteps {

bool stopRequested(const BatchHost &host);
// When Pause is down: says so in the status bar and lets messages run until
// it is released. Stop ends the wait too; the loop sees it at its next test.
void waitWhilePaused(BatchHost &host);

}  // namespace batchsteps
