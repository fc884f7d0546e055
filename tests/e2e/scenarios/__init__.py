"""End-to-end scenarios: each test starts the real program in a fresh folder."""
