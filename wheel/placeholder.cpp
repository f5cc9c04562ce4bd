// Placeholder until the first wheel source lands.
namespace lotto {}
