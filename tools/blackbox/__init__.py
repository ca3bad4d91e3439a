"""Black-box checkers of the host and the game over TCP (tools/hostcheck.py, tools/clientcheck.py).

report: the tally of checks and failures, wire: connections cut into messages and a
stand-alone host process, the host* modules: scripted players and games against the
host, program, peers and the *scenarios modules: the game under a virtual display.
"""
