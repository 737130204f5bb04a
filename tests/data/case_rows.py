"""Tables of cases for the data tools' unit tests: each row is the arguments
of the function under test followed by what it must return."""


def check_rows(test, rows, function):
    """Checks every row of `rows` against `function`; a failing row is
    reported as a subTest naming its arguments, and the other rows still run."""
    for *arguments, expected in rows:
        with test.subTest(arguments=arguments):
            test.assertEqual(function(*arguments), expected)
