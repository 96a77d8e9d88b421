// Operations of engine parts that are not built yet: each does nothing and returns the neutral value.
