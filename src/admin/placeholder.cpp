// Logic of the administration tools.
