#pragma once

class BatchHost;

// "Delete Selected Files": after the user's confirmation, deletes every
// selected file of the file list (read-only ones too) and reads the list
// again. A file that cannot be deleted simply stays in the list. With
// "Move Deleted Files to the Trash" the files go to the desktop Trash where
// their volume has one; the status bar says where they went, and a volume
// without a Trash gives one error-log line.
void deleteSelectedFiles(BatchHost &host);
