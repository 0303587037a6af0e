#pragma once

#include "CompressPipeline.h"
#include "EntrySource.h"

namespace zelib {

// An entry whose data the pipeline compresses with libdeflate. Its stat says
// ZIP_CM_DEFLATE, so libzip writes the bytes as they come (and encrypts them
// when asked); size is known from the start, CRC and compressed size once the
// last chunk has been read, which is when libzip asks for them again. Data
// that deflate does not shrink come as they are, and the final stat then
// says ZIP_CM_STORE: libzip takes the method from it when it rewrites the
// entry's headers.
class DeflateChunkSource : public EntrySource {
  public:
    DeflateChunkSource(Reporter &reporter, OperationFailure &failure, EntryFacts facts,
                       int32_t eventCode, int level);

    // The pipeline chunks that hold the data, set once the order is known.
    // The pipeline must outlive the source.
    void setChunks(CompressPipeline &pipeline, size_t first, size_t count) {
        pipeline_ = &pipeline;
        first_ = current_ = first;
        count_ = count;
    }

  protected:
    bool open() override;
    zip_int64_t read(uint8_t *buffer, uint64_t length) override;
    void describe(zip_stat_t &stat) const override;
    uint16_t flagBits() const override;

  private:
    CompressPipeline *pipeline_ = nullptr;
    int level_;
    size_t first_ = 0, count_ = 0, current_ = 0;
    const CompressPipeline::Chunk *chunk_ = nullptr;
    size_t offset_ = 0;
    uint32_t crc_ = 0;
    uint64_t compressed_ = 0;
    bool stored_ = false;
};

}  // namespace zelib
