#pragma once

class BatchHost;

// "Delete Selected Files": after the user's confirmation, deletes every
// selected file of the file list (read-only ones too) and reads the list
// again. A file that cannot be deleted simply stays in the list.
void deleteSelectedFiles(BatchHost &host);
