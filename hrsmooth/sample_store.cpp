#include "sample_store.hpp"

void widen_samples(SampleStore& store)
{
    // Backwards: double i lies over the bytes of compact samples i * 8 / sizeof(CompactSample)
    // and up, past i when i > 0, so those are already converted; for i = 0 the compact sample is
    // read before the double is written over it.
    for (std::size_t i = store.held; i-- > 0;)
        store.values[i] = compact_sample(store, i);
    store.wide = true;
}
