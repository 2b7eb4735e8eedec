#!/usr/bin/env python3
"""Writes the CSV corpus: channel lists as spreadsheets re-save them (LibreOffice Calc and Excel in
European locales write semicolons and decimal commas, "Unicode text" is UTF-16 with TABs, CSV may come
with or without a UTF-8 byte order mark, CR LF or LF, every field quoted or only those that need it).
expected.txt says what importing each file into a new KT-M40J image must give; its records are worked
out by hand from the record layout, not by the program."""

def quote_all(f):
    return '"' + f.replace('"', '""') + '"'

def quote_min(f, sep):
    return quote_all(f) if any(c in f for c in (sep, '"', '\n', '\r')) else f

def write(name, rows, sep=',', quote='min', eol='\r\n', encoding='utf-8', bom=False, decimal_comma=(),
          blank_before=0, head=1):
    lines = [sep * 3] * blank_before if blank_before else []
    for n, row in enumerate(rows):
        cells = []
        for i, c in enumerate(row):
            if n >= head and i in decimal_comma:
                c = c.replace('.', ',')
            cells.append(quote_all(c) if quote == 'all' else quote_min(c, sep))
        lines.append(sep.join(cells))
    text = eol.join(lines) + eol
    data = text.encode(encoding)
    if bom:
        data = {'utf-8': b'\xef\xbb\xbf', 'utf-16-le': b'\xff\xfe', 'utf-16-be': b'\xfe\xff'}[encoding] + data
    with open(name, 'wb') as f:
        f.write(data)

chirp = [['Location', 'Name', 'Frequency', 'Duplex', 'Offset', 'Tone', 'rToneFreq', 'Mode', 'Skip', 'Power',
          'Comment'],
         ['1', '60m ch1', '5.330500', '', '0.000000', '', '88.5', 'USB', '', 'High', 'first, channel'],
         ['2', 'cq', '5.346500', 'split', '5.366500', 'Tone', '88.5', 'LSB', 'S', 'Low', '']]
num = (2, 4, 6)
write('chirp-comma-minimal-crlf.csv', chirp)
write('chirp-semicolon-quoted-decimalcomma-bom.csv', chirp, sep=';', quote='all', bom=True, decimal_comma=num)
write('chirp-tab-utf16le-decimalcomma.csv', chirp, sep='\t', encoding='utf-16-le', bom=True, decimal_comma=num)
write('chirp-tab-utf16be-lf.csv', chirp, sep='\t', eol='\n', encoding='utf-16-be', bom=True)
order = [7, 2, 0, 1, 3, 4, 5, 6, 8, 9, 10]  # Location no longer first
write('chirp-lowercase-reordered-blank-lf.csv',
      [[r[i].lower() if n == 0 else r[i] for i in order] for n, r in enumerate(chirp)], eol='\n',
      blank_before=2)

full = [['KT-M40 full CSV', 'variant J', 'range (1.6MHz - 30MHz)'],
        ['Row', 'Frequency', 'Mode', 'Gain', 'AGC', 'Pwr', 'Filter', 'Tone', 'NB', 'Split Freq.', 'Name', 'Skip',
         'Codes'],
        ['VFO B', '14.200.000', 'FM', '-20', 'Slow', 'S-Low', 'Narrow', 'Off', 'On', '', '', '', 'NB=5'],
        ['7', '7.074.000', 'USB', '+10', 'Fast', 'High', 'Wide', 'On', 'Off', '7.074.000', 'FT8', 'Skip',
         'Gain=7'],
        ['A  5', '31.000.000', 'LSB', '0', 'Slow', 'Low', 'Narrow', 'Off', 'On', '0.000.100', '', '', '']]
write('full-comma-minimal-crlf.csv', full)
# a spreadsheet that read the grid texts as numbers writes them back as whole hertz
full_mhz = [r[:] for r in full]
# (German locale: "7.074.000" is read as 7074000 and saved so), and a user typed megahertz with a comma
for r, (f, s) in zip(full_mhz[2:], [('14200000', ''), ('7.074', '7.074'), ('31000000', '100')]):
    r[1], r[9] = f, s
write('full-semicolon-quoted-decimalcomma-bom.csv', full_mhz, sep=';', quote='all', bom=True,
      decimal_comma=(1, 9), head=2)
write('full-tab-utf16le.csv', full, sep='\t', encoding='utf-16-le', bom=True)
low = [[c.lower() for c in r] for r in full]
low[3][0], low[4][0] = '7', 'a5'
write('full-lowercase-blank-lf.csv', low, eol='\n', blank_before=1)
write('full-without-its-first-line.csv', full[1:])

header = ['MODEL', 'BANK', 'CHANNEL', 'FREQUENCY', 'STEP', 'TONE', 'TXTONE', 'RXTONE', 'DCS', 'SHIFT',
          'SHIFT FREQUENCY', 'Power', 'ATT', 'BS', 'Clock', 'BCLO', 'Name', 'Skip']
export = [header,
          ['KT-M40', 'VFO', 'VFO A', '7.050.000', 'LSB', '0', 'Slow', 'High', 'Wide', 'Off', 'Off', '', '', '',
           '', '', 'No', 'Off'],
          ['KT-M40', 'VFO', 'VFO B', '7.050.000', 'LSB', '0', 'Slow', 'High', 'Wide', 'Off', 'Off', '', '', '',
           '', '', 'No', 'Off']]
write('original-export-bom.csv', export, quote='all', bom=True)
write('original-export-semicolon.csv', export, sep=';')
records = [header,
           ['KT-M40', 'MEMORY', '5', '7.05', '5KHz', 'Tone', '88.5Hz', '88.5Hz', '023', 'None', '0.0000', 'Hi',
            'Off', 'Off', 'Off', 'Off', 'abc', 'On']]
write('original-records-semicolon-decimalcomma.csv', records, sep=';', decimal_comma=(3, 6, 7, 10))
write('unrecognised-pipes.csv', [['|'.join(chirp[0])], ['|'.join(chirp[1])]])
