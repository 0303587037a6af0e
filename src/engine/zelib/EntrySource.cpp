#include "EntrySource.h"

#include <utility>

namespace zelib {

EntrySource::EntrySource(Reporter &reporter, OperationFailure &failure, EntryFacts facts,
                         int32_t eventCode)
    : reporter_(reporter), facts_(std::move(facts)), failure_(failure), eventCode_(eventCode) {
    zip_error_init(&error_);
}

zip_source_t *EntrySource::attach(zip_t *archive, EntrySource *source) {
    zip_source_t *wrapped = zip_source_function(archive, &EntrySource::dispatch, source);
    if (wrapped == nullptr)
        delete source;
    return wrapped;
}

bool EntrySource::finishEntry(uint32_t crc, uint64_t compressedSize) {
    if (finished_)
        return true;
    finished_ = true;
    facts_.crc = crc;
    // AES adds a salt, a password check and an authentication code.
    facts_.compressedSize = compressedSize + (facts_.encrypted ? 28 : 0);
    reporter_.finishEntry();
    return reporter_.entry(eventCode_, facts_);
}

zip_int64_t EntrySource::fail(int zipError, int32_t code) {
    failure_.record(code);
    zip_error_set(&error_, zipError, 0);
    return -1;
}

zip_int64_t EntrySource::dispatch(void *userdata, void *data, zip_uint64_t length,
                                  zip_source_cmd_t command) {
    EntrySource *self = static_cast<EntrySource *>(userdata);
    switch (command) {
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(
                ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SUPPORTS,
                ZIP_SOURCE_GET_FILE_ATTRIBUTES, -1);
        case ZIP_SOURCE_OPEN:
            if (self->reporter_.aborted())
                return self->fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
            self->reporter_.startEntry(self->facts_.size);
            return self->open() ? 0 : -1;
        case ZIP_SOURCE_READ:
            return self->read(static_cast<uint8_t *>(data), length);
        case ZIP_SOURCE_CLOSE:
            self->close();
            return 0;
        case ZIP_SOURCE_STAT: {
            zip_stat_t *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &self->error_);
            if (stat == nullptr)
                return -1;
            self->describe(*stat);
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_GET_FILE_ATTRIBUTES: {
            zip_file_attributes_t *attributes =
                ZIP_SOURCE_GET_ARGS(zip_file_attributes_t, data, length, &self->error_);
            if (attributes == nullptr)
                return -1;
            attributes->valid |= ZIP_FILE_ATTRIBUTES_GENERAL_PURPOSE_BIT_FLAGS;
            attributes->general_purpose_bit_flags = self->flagBits();
            attributes->general_purpose_bit_mask = 0x0006;
            return sizeof(zip_file_attributes_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&self->error_, data, length);
        case ZIP_SOURCE_FREE:
            zip_error_fini(&self->error_);
            delete self;
            return 0;
        default:
            zip_error_set(&self->error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
    }
}

}  // namespace zelib
