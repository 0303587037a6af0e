#include "EntrySource.h"

#include <new>
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
                                  zip_source_cmd_t command) noexcept {
    EntrySource *self = static_cast<EntrySource *>(userdata);
    if (command == ZIP_SOURCE_FREE) {
        zip_error_fini(&self->error_);
        delete self;
        return 0;
    }
    try {
        return self->handle(data, length, command);
    } catch (const std::bad_alloc &) {
        return self->fail(ZIP_ER_MEMORY, ZE_ERR_MEMORY);
    } catch (...) {
        return self->fail(ZIP_ER_INTERNAL, ZE_ERR_INTERNAL);
    }
}

zip_int64_t EntrySource::handle(void *data, zip_uint64_t length, zip_source_cmd_t command) {
    switch (command) {
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(
                ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SUPPORTS,
                ZIP_SOURCE_GET_FILE_ATTRIBUTES, -1);
        case ZIP_SOURCE_OPEN:
            if (reporter_.aborted())
                return fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
            reporter_.startEntry(facts_.size);
            return open() ? 0 : -1;
        case ZIP_SOURCE_READ:
            return read(static_cast<uint8_t *>(data), length);
        case ZIP_SOURCE_CLOSE:
            close();
            return 0;
        case ZIP_SOURCE_STAT: {
            zip_stat_t *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &error_);
            if (stat == nullptr)
                return -1;
            describe(*stat);
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_GET_FILE_ATTRIBUTES: {
            zip_file_attributes_t *attributes =
                ZIP_SOURCE_GET_ARGS(zip_file_attributes_t, data, length, &error_);
            if (attributes == nullptr)
                return -1;
            attributes->valid |= ZIP_FILE_ATTRIBUTES_GENERAL_PURPOSE_BIT_FLAGS;
            attributes->general_purpose_bit_flags = flagBits();
            attributes->general_purpose_bit_mask = 0x0006;
            return sizeof(zip_file_attributes_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&error_, data, length);
        default:
            zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
    }
}

}  // namespace zelib
