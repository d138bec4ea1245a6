# The projects drive disappears.
mv projects projects.away
