"""The sample inputs the screenshots of both windows show: file name, menu command, the box texts
in the order the calculator reads them, and how far into the chart window (pixels from its left)
the pointer rests for the read-out."""
SHOTS = [
    ('periodic-investment', 'mnuDT', ['500', '5', '8', '10'], 560),
    ('pension-need', 'mnuYLJ', ['3', '3000', '8', '35', '60'], 420),
    ('present-value', 'mnuPVIF', ['4', '10000', '10'], 400),
    ('lump-sum', 'munFVIF', ['10000', '6', '5'], 500),
]
