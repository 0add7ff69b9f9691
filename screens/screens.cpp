// Anchor of the screens library; each screen adds its own sources.
