# The Windows saver is added here as it lands; for now the engine must
# cross-compile cleanly for both targets.
